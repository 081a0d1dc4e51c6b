#pragma once

#include <cstddef>

namespace SkinUI {

// One piece of marked-up text.
struct MarkupTokenUI {
    enum Kind {
        End,      // end of the text
        Newline,  // '\n'
        Blank,    // one ' ' outside raw text
        Text,     // a run of plain characters: text, length
        Literal,  // an escaped bracket: the one character in text
        Tag,      // an opening tag: letter, argument (may be empty)
        EndTag,   // an end tag: letter
        RawEnd,   // the end tag of raw text
    };
    Kind kind = End;
    wchar_t letter = 0;
    const wchar_t* text = nullptr;  // Text and Literal; points into the scanned text
    int length = 0;
    const wchar_t* argument = nullptr;  // Tag
    int argumentLength = 0;
    int sourceLength = 0;  // characters the token covers in the text
};

// Splits marked-up text: tags in '<' '>' or '{' '}' with a lower-case letter,
// end tags, the four bracket escapes, raw text (up to the raw end tag) and
// plain runs. An unterminated tag runs to the end of the text.
class MarkupScannerUI {
public:
    static MarkupTokenUI Next(const wchar_t* p, bool raw);
};

}  // namespace SkinUI
