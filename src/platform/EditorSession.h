#pragma once

#include "platform/Commands.h"

#include <functional>

namespace partivo {

// Whether an editor window is open, with the key commands it posts: 1007 when it opens (the
// first time since it closed) and 1008 when it closes.
class EditorSession {
public:
    using KeyPoster = std::function<void(int command)>;
    explicit EditorSession(KeyPoster post) : post_(std::move(post)) {}

    bool isOpen() const { return open_; }
    void open()
    {
        if (open_)
            return;
        open_ = true;
        if (post_)
            post_(cmd::MidiEditorOpened);
    }
    // An open editor runs save (its list is stored) and is closed; nothing otherwise.
    void close(const std::function<void()>& save)
    {
        if (!open_)
            return;
        open_ = false;
        save();
        if (post_)
            post_(cmd::MidiEditorClosed);
    }

private:
    KeyPoster post_;
    bool open_ = false;
};

} // namespace partivo
