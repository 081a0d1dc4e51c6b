#pragma once

#include "ui/core/render_api.h"

namespace SkinUI {
namespace test {

// Restores the run-time drawing table when the test is done with it.
class RenderApiScope {
public:
    RenderApiScope() : m_saved(RenderApiUI::Get()) {}
    ~RenderApiScope() { RenderApiUI::Get() = m_saved; }
    RenderApiScope(const RenderApiScope&) = delete;
    RenderApiScope& operator=(const RenderApiScope&) = delete;

private:
    RenderApiUI m_saved;
};

}  // namespace test
}  // namespace SkinUI
