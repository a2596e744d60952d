#include "app/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zantrel {

namespace {

// The one translator of the toolkit's texts, kept by the application object.
const QString kTranslatorName = QStringLiteral("zantrelQtTranslation");

} // namespace

bool LoadQtTranslation(QCoreApplication& app, const QString& language)
{
    auto* translator = app.findChild<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly);
    if (!translator) {
        translator = new QTranslator(&app);
        translator->setObjectName(kTranslatorName);
    }
    QCoreApplication::removeTranslator(translator);
    if (!translator->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(translator);
}

} // namespace zantrel
