#pragma once
// A host in memory that records the path of every write, for tests that check
// where the program writes.
#include <string>
#include <vector>

#include "seams/memory/memory_host_os.h"

namespace varnolux {

class RecordingHostOs : public MemoryHostOs {
  public:
    bool WriteFile(const std::string& path, const std::string& data) override {
        written.push_back(path);
        return MemoryHostOs::WriteFile(path, data);
    }
    bool AppendFile(const std::string& path, const std::string& data) override {
        written.push_back(path);
        return MemoryHostOs::AppendFile(path, data);
    }
    std::vector<std::string> written;
};

}  // namespace varnolux
