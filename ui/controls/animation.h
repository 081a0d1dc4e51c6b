#pragma once

#include <windows.h>

#include <memory>
#include <vector>

namespace SkinUI {

class CControlUI;

// Frame-counting animations driven by timers of a control; each one is
// known by its timer id.
class IUIAnimation {
public:
    virtual ~IUIAnimation() = default;
    virtual bool Start(int periodMs, int frameCount, UINT id, bool loop = false) = 0;
    // An id of 0 stops every animation.
    virtual void Stop(UINT id) = 0;
    virtual bool IsRunning(UINT id) const = 0;
    // -1 when the animation does not run.
    virtual int GetFrame(UINT id) const = 0;
    virtual bool SetFrame(int frame, UINT id) = 0;
    virtual void OnStep(int frameCount, int frame, UINT id) = 0;
    virtual void OnStart(UINT id, bool firstRun) = 0;
    virtual void OnStop(UINT id) = 0;
    // The owner calls it for each tick of the animation's timer.
    virtual void OnTimer(UINT id) = 0;
};

// One running animation.
struct AnimationRecordUI {
    UINT id = 0;
    int periodMs = 0;
    int frameCount = 0;
    int currentFrame = 0;
    bool loop = false;
    bool firstRun = true;
    // Tells a restarted animation of the same id from the one it replaced.
    unsigned serial = 0;
};

// Animations over the owner control's window-manager timers. A run of N
// frames steps through frames 0 to N, so the step hook runs N + 1 times and
// the stop hook once; a looping animation then starts again at frame 0.
// The hooks do nothing here; subclasses give them a meaning.
class CUIAnimation : public IUIAnimation {
public:
    CUIAnimation() = default;
    explicit CUIAnimation(CControlUI* owner) : m_owner(owner) {}
    CUIAnimation(const CUIAnimation&) = delete;
    CUIAnimation& operator=(const CUIAnimation&) = delete;
    ~CUIAnimation() override = default;

    void SetOwner(CControlUI* owner) { m_owner = owner; }
    CControlUI* GetOwner() const { return m_owner; }

    // False when the id runs already, for a period or frame count below 1,
    // without an owner, or when its timer cannot be started.
    bool Start(int periodMs, int frameCount, UINT id, bool loop = false) override;
    void Stop(UINT id) override;
    bool IsRunning(UINT id) const override;
    int GetFrame(UINT id) const override;
    // Any frame from 0 to the frame count.
    bool SetFrame(int frame, UINT id) override;
    void OnStep(int frameCount, int frame, UINT id) override;
    void OnStart(UINT id, bool firstRun) override;
    void OnStop(UINT id) override;
    void OnTimer(UINT id) override;

private:
    AnimationRecordUI* Find(UINT id) const;
    // The hooks may stop or restart animations: whether this very record still runs.
    bool StillRunning(const AnimationRecordUI* record, unsigned serial) const;
    void StopTimer(UINT id);
    void Remove(const AnimationRecordUI* record);

    CControlUI* m_owner = nullptr;
    std::vector<std::unique_ptr<AnimationRecordUI>> m_records;
    unsigned m_nextSerial = 0;
};

}  // namespace SkinUI
