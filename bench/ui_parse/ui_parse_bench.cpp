// Times the parse of a 100 KB layout and prints the figure.
#include <windows.h>

#include <cstdio>
#include <string>

#include "ui/core/xml_document.h"

namespace {

std::string MakeLayout(size_t targetSize)
{
    std::string text =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Window size=\"1310,749\" caption=\"0,0,0,40\">\n"
        "  <Font id=\"0\" name=\"Arial\" size=\"12\" default=\"true\"/>\n  <VerticalLayout>\n";
    for (int i = 0; text.size() < targetSize; ++i) {
        const std::string n = std::to_string(i);
        text += "    <HorizontalLayout height=\"30\" padding=\"4,2,4,2\">\n"
                "      <Label name=\"label" + n + "\" text=\"Level " + n + " &amp; colour\" width=\"80\"/>\n"
                "      <Button name=\"button" + n + "\" normalimage=\"file='image/btn.png' source='0,0,60,24'\" "
                "hotimage=\"file='image/btn.png' source='0,24,60,48'\" text=\"%{088}\"/>\n"
                "      <!-- level " + n + " -->\n"
                "    </HorizontalLayout>\n";
    }
    return text + "  </VerticalLayout>\n</Window>\n";
}

}  // namespace

int main()
{
    const std::string layout = MakeLayout(100 * 1024);
    const BYTE* bytes = reinterpret_cast<const BYTE*>(layout.data());
    const DWORD size = static_cast<DWORD>(layout.size());

    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    const int rounds = 200;
    int elements = 0;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < rounds; ++i) {
        SkinUI::CXmlDocumentUI document;
        if (!document.LoadFromMemory(bytes, size, SkinUI::CXmlDocumentUI::XML_ENCODING_UTF8)) {
            std::fprintf(stderr, "parse failed: %ls\n", document.GetLastErrorMessage());
            return 1;
        }
        elements = 0;
        for (SkinUI::CXmlNodeUI row = document.GetRoot().GetFirstChild().GetNextSibling().GetFirstChild();
             row.IsValid(); row = row.GetNextSibling())
            elements += row.GetFirstChild().GetAttributeCount();
    }
    QueryPerformanceCounter(&end);
    const double seconds = static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
    std::printf("ui_parse: %u-byte layout parsed in %.3f ms (%.1f MB/s, %d label attributes)\n",
                static_cast<unsigned>(size), seconds * 1000.0 / rounds,
                size * static_cast<double>(rounds) / seconds / 1e6, elements);
    return 0;
}
