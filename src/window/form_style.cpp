#include "form_style.h"

#include <QApplication>
#include <QStyleFactory>

namespace zorvanta {

void useFormStyle() {
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows"))) {
        QApplication::setStyle(style);
    }
}

}  // namespace zorvanta
