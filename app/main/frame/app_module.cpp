#include "app/main/frame/app_module.h"

HRESULT AppModule::Init(HINSTANCE instance)
{
    instance_ = instance;
    return S_OK;
}

void AppModule::Term()
{
    instance_ = nullptr;
}
