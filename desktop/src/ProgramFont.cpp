#include "desktop/ProgramFont.h"

#include <QStringList>

namespace hovorix::desktop {

QFont programFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                      QStringLiteral("DejaVu Sans")});
    font.setPointSize(8);
    return font;
}

QFont titleFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"), QStringLiteral("Times"),
                      QStringLiteral("DejaVu Serif")});
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace hovorix::desktop
