#include "operation_checks.h"

namespace zorvanta {

Operation checkedOperation(const OperationChecks& checks) {
    for (const Operation operation : {Operation::Add, Operation::Subtract, Operation::Multiply}) {
        if (checks.isChecked(operation)) {
            return operation;
        }
    }
    return Operation::Divide;
}

}  // namespace zorvanta
