#pragma once

#include <windows.h>

namespace SkinUI {

// A share in the process's GDI+ library: the first session starts it, the
// last one to end shuts it down. Every object that draws through GDI+ holds
// one for as long as it keeps GDI+ objects. UI thread only.
class CGdiplusSessionUI {
public:
    CGdiplusSessionUI();
    ~CGdiplusSessionUI();
    CGdiplusSessionUI(const CGdiplusSessionUI&) = delete;
    CGdiplusSessionUI& operator=(const CGdiplusSessionUI&) = delete;

    // False when GDI+ could not be started.
    bool IsStarted() const;
    // Sessions alive in the process.
    static int GetSessionCount();
};

}  // namespace SkinUI
