#include "ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#ifndef OSTREL_DB_TEMPLATES
#error "OSTREL_DB_TEMPLATES must name the folder of the database templates"
#endif

ProgramFolder::ProgramFolder()
{
    const QString templates = QStringLiteral(OSTREL_DB_TEMPLATES);
    m_ok = QFile::copy(templates + "/Ostrel7_supp.mdb", file("Ostrel7_supp.mdb")) &&
           QFile::copy(templates + "/Ostrel7_user.mdb", file("Ostrel7_user.mdb"));
    QFile::setPermissions(file("Ostrel7_user.mdb"), QFile::ReadOwner | QFile::WriteOwner);
    QFile::setPermissions(file("Ostrel7_supp.mdb"), QFile::ReadOwner | QFile::WriteOwner);
    const QString picture = QStringLiteral(OSTREL_SOURCE_DIR) + "/data/homepage.jpg";
    if (QFile::exists(picture))
        QFile::copy(picture, file("homepage.jpg"));
    QDir dir(path());
    for (const char* folder : {"Movies", "PowerPoints", "PDFs", "Still Photos"})
        m_ok = dir.mkdir(QLatin1String(folder)) && m_ok;
}

QString ProgramFolder::log() const
{
    QFile f(file("Ostrel7.log"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

QStringList ProgramFolder::logTexts() const
{
    static const QRegularExpression stamp(
        QStringLiteral("^\\d\\d/\\d\\d/\\d{4} \\d{1,2}:\\d\\d (am|pm)  "));
    QStringList texts;
    for (QString line : log().split('\n')) {
        if (line.isEmpty())
            continue;
        texts << line.remove(stamp);
    }
    return texts;
}
