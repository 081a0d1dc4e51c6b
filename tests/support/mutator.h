#pragma once
// The one mutator of the hostile-input tests: it damages valid seed inputs by
// bit flips, unit sets, truncations, extensions, token insertions, erased and
// repeated runs, and splices of two seeds. The same seed number gives the
// same inputs on every run.
//
// Text is std::string, std::wstring or std::vector<uint8_t>.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace hostile {

class Mutator {
public:
    explicit Mutator(uint32_t seed) : state_(seed != 0 ? seed : 1) {}

    // xorshift32.
    uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // A number below the bound; 0 for a bound of 0.
    size_t Below(size_t bound) { return bound == 0 ? 0 : Next() % bound; }

    // A damaged copy of one of the seeds: one to four edits, now and then up
    // to sixteen. Tokens are pieces worth inserting whole (tags, opcodes).
    template <class Text>
    Text Mutate(const std::vector<Text>& seeds, const std::vector<Text>& tokens = {}) {
        Text text = seeds[Below(seeds.size())];
        for (size_t edits = EditCount(); edits > 0; --edits) Edit(text, seeds, tokens);
        return text;
    }

    // The same, but every edit overwrites: the result keeps its seed's length
    // (images of a fixed size).
    template <class Text>
    Text MutateInPlace(const std::vector<Text>& seeds, const std::vector<Text>& tokens = {}) {
        Text text = seeds[Below(seeds.size())];
        if (text.empty()) return text;
        for (size_t edits = EditCount(); edits > 0; --edits) Overwrite(text, seeds, tokens);
        return text;
    }

private:
    size_t EditCount() { return Below(8) == 0 ? 1 + Below(16) : 1 + Below(4); }

    template <class Unit>
    Unit Interesting(const Unit* token) {
        switch (Below(6)) {
        case 0: return Unit(0);
        case 1: return static_cast<Unit>(~Unit(0));
        case 2: return Unit(0x7F);
        case 3: return Unit(0x80);
        case 4: return token ? *token : static_cast<Unit>(Next());
        default: return static_cast<Unit>(Next());
        }
    }

    template <class Text>
    const typename Text::value_type* TokenUnit(const std::vector<Text>& tokens) {
        if (tokens.empty()) return nullptr;
        const Text& token = tokens[Below(tokens.size())];
        return token.empty() ? nullptr : &token[Below(token.size())];
    }

    template <class Text>
    void Edit(Text& text, const std::vector<Text>& seeds, const std::vector<Text>& tokens) {
        using Unit = typename Text::value_type;
        const size_t size = text.size();
        const size_t at = Below(size + 1);
        switch (Below(9)) {
        case 0:  // flip one bit
            if (at < size) text[at] = static_cast<Unit>(text[at] ^ (Unit(1) << Below(8 * sizeof(Unit))));
            break;
        case 1:  // set one unit
            if (at < size) text[at] = Interesting<Unit>(TokenUnit(tokens));
            break;
        case 2:  // truncate anywhere, or by a little
            text.resize(Below(2) ? at : size - std::min(size, 1 + Below(8)));
            break;
        case 3:  // extend with random units or a copy of the tail
            if (Below(2)) {
                for (size_t n = 1 + Below(64); n > 0; --n) text.push_back(static_cast<Unit>(Next()));
            } else {
                const Text tail(text.begin() + at, text.end());
                text.insert(text.end(), tail.begin(), tail.end());
            }
            break;
        case 4:  // insert a whole token
            if (!tokens.empty()) {
                const Text& token = tokens[Below(tokens.size())];
                text.insert(text.begin() + at, token.begin(), token.end());
            }
            break;
        case 5:  // erase a run
            text.erase(text.begin() + at, text.begin() + std::min(size, at + 1 + Below(16)));
            break;
        case 6: {  // repeat a run somewhere else
            const size_t length = std::min(size - at, 1 + Below(64));
            const Text run(text.begin() + at, text.begin() + at + length);
            text.insert(text.begin() + Below(size + 1), run.begin(), run.end());
            break;
        }
        case 7: {  // splice: this seed's head, another's tail
            const Text& other = seeds[Below(seeds.size())];
            const size_t from = Below(other.size() + 1);
            text.resize(at);
            text.insert(text.end(), other.begin() + from, other.end());
            break;
        }
        default:  // several bits of one unit
            if (at < size) text[at] = static_cast<Unit>(text[at] ^ static_cast<Unit>(Next()));
            break;
        }
    }

    template <class Text>
    void Overwrite(Text& text, const std::vector<Text>& seeds, const std::vector<Text>& tokens) {
        using Unit = typename Text::value_type;
        const size_t size = text.size();
        const size_t at = Below(size);
        switch (Below(6)) {
        case 0:
            text[at] = static_cast<Unit>(text[at] ^ (Unit(1) << Below(8 * sizeof(Unit))));
            break;
        case 1:
            text[at] = Interesting<Unit>(TokenUnit(tokens));
            break;
        case 2:  // a token over what stands there
            if (!tokens.empty()) {
                const Text& token = tokens[Below(tokens.size())];
                std::copy_n(token.begin(), std::min(token.size(), size - at), text.begin() + at);
            }
            break;
        case 3: {  // a run copied over another place
            const size_t from = Below(size);
            const size_t length = std::min({size - at, size - from, 1 + Below(64)});
            const Text run(text.begin() + from, text.begin() + from + length);
            std::copy(run.begin(), run.end(), text.begin() + at);
            break;
        }
        case 4: {  // the same bytes of another seed
            const Text& other = seeds[Below(seeds.size())];
            const size_t end = std::min({size, other.size(), at + 1 + Below(256)});
            if (at < end) std::copy(other.begin() + at, other.begin() + end, text.begin() + at);
            break;
        }
        default: {  // a run of one value
            const Unit value = Interesting<Unit>(TokenUnit(tokens));
            std::fill(text.begin() + at, text.begin() + std::min(size, at + 1 + Below(32)), value);
            break;
        }
        }
    }

    uint32_t state_;
};

}  // namespace hostile
