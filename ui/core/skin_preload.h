#pragma once

#include <windows.h>

#include <initializer_list>

#include "ui/core/image_record.h"

namespace SkinUI {

class CXmlDocumentUI;
struct SkinPreloadStateUI;

// The skin read ahead while the program starts: a thread of its own parses
// layouts of the skin folder and decodes the images they draw, and the
// builds and paints that follow take them instead of reading the files.
// Each layout and image is handed over once, and only while the skin is the
// folder that was read (no skin archive set) and its file is unchanged;
// anything else is read from the skin as before. One preload at a time: a
// second one made while another lives reads nothing.
class CSkinPreloadUI {
public:
    // Reads, below the folder, the layouts of each pattern in turn (a file
    // name or a wildcard such as L"XML\\*.xml", files of one pattern in name
    // order), each followed by the images its image attributes name.
    CSkinPreloadUI(const wchar_t* folder, std::initializer_list<const wchar_t*> layoutPatterns);
    // Waits for the thread, which stops between two files, and drops what
    // was not taken.
    ~CSkinPreloadUI();
    CSkinPreloadUI(const CSkinPreloadUI&) = delete;
    CSkinPreloadUI& operator=(const CSkinPreloadUI&) = delete;

    // Moves the layout read ahead for this skin file into the document;
    // false when there is none to take.
    static bool TakeLayout(const wchar_t* fileName, CXmlDocumentUI& document);
    // The image read ahead for this skin file, for a load without a mask;
    // the caller owns it. Null when there is none to take.
    static ImageRecordUI* TakeImage(const wchar_t* name, DWORD mask);

private:
    SkinPreloadStateUI* m_state = nullptr;
};

}  // namespace SkinUI
