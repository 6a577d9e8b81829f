#pragma once

// One page of a settings sheet. A page is set up the first time it is shown and writes its
// entries on OK only if it was ever shown; while it is the active page it may run a timer
// (the beat lights), which stops when another page is chosen or the sheet closes.

#include <QWidget>

class CSettingsPage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // The page becomes the active one.
    void Activate() {
        if (!initialized) {
            initialized = true;
            Initialize();
        }
        OnActivate();
    }
    // Another page became the active one, or the sheet closes.
    void Deactivate() {
        if (initialized) {
            OnDeactivate();
        }
    }
    // OK: only a page that was shown writes.
    void Apply() {
        if (initialized) {
            OnOk();
        }
    }
    bool WasShown() const { return initialized; }

protected:
    virtual void Initialize() = 0;
    virtual void OnOk() = 0;
    virtual void OnActivate() {}
    virtual void OnDeactivate() {}

private:
    bool initialized = false;
};
