// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace norvik {

// Raises a flag for the length of one change the program makes, so that the
// handlers the change sets off can tell it from the user's own; the flag's
// earlier value comes back when the change is over, however it ends.
class RaisedFlag {
public:
    explicit RaisedFlag(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~RaisedFlag() { flag_ = previous_; }
    RaisedFlag(const RaisedFlag&) = delete;
    RaisedFlag& operator=(const RaisedFlag&) = delete;

private:
    bool& flag_;
    bool previous_;
};

} // namespace norvik
