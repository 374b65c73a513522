#include "SkinFonts.h"

#include <QFont>
#include <QStringList>

void InstallSkinFonts()
{
    const QStringList song{QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC"),
                           QStringLiteral("WenQuanYi Zen Hei")};
    const QStringList sans{QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                           QStringLiteral("WenQuanYi Zen Hei")};
    QFont::insertSubstitutions(QStringLiteral("宋体"), song);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), song);
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), sans);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
}
