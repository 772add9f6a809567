// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace norvik::test {

// A fresh folder for one test, scenario or benchmark, removed with everything
// in it afterwards unless kept for inspection.
class TempFolder {
public:
    // The folder is made in the system's temporary folder as PREFIX-XXXXXX.
    explicit TempFolder(const std::string& prefix = "norvik");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

    // Writes NAME (folders made as needed) with exactly these bytes.
    void write(const std::string& name, const std::string& bytes) const;
    // The bytes of NAME; a missing file reads as empty.
    std::string read(const std::string& name) const;
    // The names in the folder, sorted, hidden ones included.
    std::vector<std::string> names() const;
    // Leaves the folder in place when this object goes.
    void keep() { kept_ = true; }

private:
    std::string path_;
    bool kept_ = false;
};

} // namespace norvik::test
