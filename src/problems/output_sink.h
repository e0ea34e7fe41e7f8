#pragma once

#include <string_view>

namespace zorvanta {

// Where generated text goes: the end of the output box. Text arrives as GBK bytes, one
// problem or one line end per call, and is appended unchanged.
class OutputSink {
  public:
    virtual void appendOutput(std::string_view text) = 0;

  protected:
    ~OutputSink() = default;
};

}  // namespace zorvanta
