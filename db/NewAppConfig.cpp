#include "db/NewAppConfig.h"

#include "common/CodePage.h"

#include <QFile>

namespace kelvaro
{

namespace
{

QString Attribute(const QString& value)
{
    return QString(value.toHtmlEscaped()).replace(u'\n', QStringLiteral("&#10;"));
}

QString ConfigText(const QString& databaseKind, const QString& hospitalName)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"GB2312\"?>\n"
                          "<AppConfig>\n"
                          "\t<BaseConfig>\n"
                          "\t\t<Installation DatabaseKind=\"%1\" HospitalName=\"%2\"/>\n"
                          "\t\t<DBConnect Value=\"\"/>\n"
                          "\t\t<BackupDB BackupDBMode=\"1\" AutoBackupTime=\"17:30\"/>\n"
                          "\t\t<Printer Value=\"\"/>\n"
                          "\t\t<Margin Offset=\"0\" TitleOffset=\"0\"/>\n"
                          "\t</BaseConfig>\n"
                          "</AppConfig>\n")
        .arg(Attribute(databaseKind), Attribute(hospitalName));
}

} // namespace

bool CreateAppConfig(const QString& databaseKind, const QString& hospitalName, QString* error)
{
    QFile file(QStringLiteral("AppConfig.xml"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
        file.write(ToCodePage(ConfigText(databaseKind, hospitalName))) < 0 || !file.flush()) {
        if (error)
            *error = QStringLiteral("cannot write AppConfig.xml: %1").arg(file.errorString());
        return false;
    }
    return true;
}

} // namespace kelvaro
