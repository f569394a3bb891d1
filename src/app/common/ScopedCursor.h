// An application-wide cursor for the time of a scope: set when asked, put back when the scope
// ends.
#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace quendra::app {

class ScopedCursor {
public:
    ScopedCursor() = default;
    ~ScopedCursor() {
        if (set_) {
            QGuiApplication::restoreOverrideCursor();
        }
    }
    ScopedCursor(const ScopedCursor&) = delete;
    ScopedCursor& operator=(const ScopedCursor&) = delete;

    // Shows the cursor until the scope ends; asked again, it changes nothing.
    void set(Qt::CursorShape shape) {
        if (!set_) {
            QGuiApplication::setOverrideCursor(QCursor(shape));
            set_ = true;
        }
    }

private:
    bool set_ = false;
};

} // namespace quendra::app
