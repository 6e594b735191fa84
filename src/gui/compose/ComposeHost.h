#pragma once

/// What the compose commands ask of the window that holds them.
class ComposeHost {
public:
    virtual ~ComposeHost() = default;
    /// The panel command: shows the draft and log list, or hides it.
    virtual void toggleMailList() = 0;
    /// True once the program has ended; a long command stops then.
    virtual bool hasEnded() const = 0;
    /// Ctrl+Enter in the body: the send command.
    virtual void send() = 0;
    /// Ctrl+digit in the body: puts pictograph menu entry `slot` into the body.
    virtual void insertPictograph(int slot) = 0;
    /// Enter released with automatic substitution on: keywords become pictographs.
    virtual void substituteKeywords() = 0;
};
