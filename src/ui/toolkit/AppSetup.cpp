#include "ui/toolkit/AppSetup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/AppInfo.h"

namespace brenvik::ui {

void setUpApplication(QApplication& app) {
    // The windows ask for the Windows Japanese fonts by name; fontconfig knows no alias for
    // them, so map them to the IPA fonts of the same widths.
    QFont::insertSubstitutions(
        QStringLiteral("ＭＳ ゴシック"),
        {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP"),
         QStringLiteral("VL Gothic")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ 明朝"),
                               {QStringLiteral("IPAMincho"), QStringLiteral("Noto Serif CJK JP")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐ明朝"),
                               {QStringLiteral("IPAPMincho"), QStringLiteral("Noto Serif CJK JP")});

    QFont font(QStringLiteral("ＭＳ Ｐゴシック"), 9);
    QApplication::setFont(font);

    QApplication::setApplicationName(QString::fromUtf8(app::Title));
    QApplication::setOrganizationName(QString::fromUtf8(app::CompanyName));

    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    // Qt's own buttons (はい/いいえ, キャンセル) in Japanese; English when the file is absent.
    auto* translator = new QTranslator(&app);
    if (translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace brenvik::ui
