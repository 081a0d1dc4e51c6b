#include "ui/core/markup_scanner.h"

namespace SkinUI {

namespace {

bool IsOpenBracket(wchar_t ch) { return ch == L'<' || ch == L'{'; }
bool IsCloseBracket(wchar_t ch) { return ch == L'>' || ch == L'}'; }
bool IsTagLetter(wchar_t ch) { return ch >= L'a' && ch <= L'z'; }

bool IsRawEnd(const wchar_t* p)
{
    return IsOpenBracket(p[0]) && p[1] == L'/' && p[2] == L'r' && IsCloseBracket(p[3]);
}

// "<{>" "<}>" print the braces, "{<}" "{>}" the angle brackets.
wchar_t EscapedCharacter(const wchar_t* p)
{
    if (p[0] == L'<' && (p[1] == L'{' || p[1] == L'}') && p[2] == L'>') return p[1];
    if (p[0] == L'{' && (p[1] == L'<' || p[1] == L'>') && p[2] == L'}') return p[1];
    return 0;
}

// Characters up to the tag's closing bracket or the end of the text.
int LengthToClose(const wchar_t* p)
{
    int length = 0;
    while (p[length] != L'\0' && !IsCloseBracket(p[length])) ++length;
    return length;
}

MarkupTokenUI RawRun(const wchar_t* p)
{
    MarkupTokenUI token;
    token.kind = MarkupTokenUI::Text;
    token.text = p;
    while (p[token.length] != L'\0' && p[token.length] != L'\n' && !IsRawEnd(p + token.length)) ++token.length;
    token.sourceLength = token.length;
    return token;
}

// A run starts at p and goes to the next bracket or line end; a first
// character that is a bracket belongs to it (it started no tag).
MarkupTokenUI PlainRun(const wchar_t* p)
{
    MarkupTokenUI token;
    token.kind = MarkupTokenUI::Text;
    token.text = p;
    token.length = 1;
    while (p[token.length] != L'\0' && p[token.length] != L'\n' && !IsOpenBracket(p[token.length]))
        ++token.length;
    token.sourceLength = token.length;
    return token;
}

}  // namespace

MarkupTokenUI MarkupScannerUI::Next(const wchar_t* p, bool raw)
{
    MarkupTokenUI token;
    if (!p || *p == L'\0') return token;
    if (*p == L'\n') {
        token.kind = MarkupTokenUI::Newline;
        token.sourceLength = 1;
        return token;
    }
    if (raw) {
        if (!IsRawEnd(p)) return RawRun(p);
        token.kind = MarkupTokenUI::RawEnd;
        token.sourceLength = 4;
        return token;
    }
    if (*p == L' ') {
        token.kind = MarkupTokenUI::Blank;
        token.sourceLength = 1;
        return token;
    }
    if (!IsOpenBracket(*p)) return PlainRun(p);

    if (EscapedCharacter(p)) {
        token.kind = MarkupTokenUI::Literal;
        token.text = p + 1;
        token.length = 1;
        token.sourceLength = 3;
        return token;
    }
    if (p[1] == L'/' && IsTagLetter(p[2])) {
        token.kind = MarkupTokenUI::EndTag;
        token.letter = p[2];
        const int body = 3 + LengthToClose(p + 3);
        token.sourceLength = p[body] != L'\0' ? body + 1 : body;
        return token;
    }
    if (IsTagLetter(p[1]) && (p[2] == L' ' || IsCloseBracket(p[2]))) {
        token.kind = MarkupTokenUI::Tag;
        token.letter = p[1];
        int body = 2;
        if (p[2] == L' ') {
            token.argument = p + 3;
            token.argumentLength = LengthToClose(p + 3);
            body = 3 + token.argumentLength;
        }
        token.sourceLength = p[body] != L'\0' ? body + 1 : body;
        return token;
    }
    return PlainRun(p);
}

}  // namespace SkinUI
