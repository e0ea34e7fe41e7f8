#include "sheet_font.h"

#include <QStringList>

namespace zorvanta {

QFont sheetFont() {
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                      QStringLiteral("Noto Sans Mono CJK SC")});
    font.setStyleHint(QFont::TypeWriter);
    font.setWeight(QFont::Normal);
    return font;
}

}  // namespace zorvanta
