#pragma once

#include "operation.h"

namespace zorvanta {

// The check states of the four operation radio buttons, which carry the chosen operation.
// Writing one state changes that button alone.
class OperationChecks {
  public:
    virtual bool isChecked(Operation operation) const = 0;
    virtual void setChecked(Operation operation, bool checked) = 0;

  protected:
    ~OperationChecks() = default;
};

// The checked operation: the first checked button in the order "+", "-", "x", "÷"; the
// buttons after it are not read. With the first three unchecked, "÷" is the checked one.
Operation checkedOperation(const OperationChecks& checks);

}  // namespace zorvanta
