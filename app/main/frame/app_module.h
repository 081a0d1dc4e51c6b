#pragma once
// The program's module object: holds the instance between start and end.

#include <windows.h>

class AppModule {
public:
    HRESULT Init(HINSTANCE instance);
    void Term();
    HINSTANCE Instance() const { return instance_; }

private:
    HINSTANCE instance_ = nullptr;
};
