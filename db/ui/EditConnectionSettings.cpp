#include "common/ui/DialogRunner.h"
#include "db/StoredConnection.h"
#include "db/ui/U_DBConfig.h"

namespace kelvaro
{

bool EditConnectionSettings(ConnectionSettings& values, QWidget* parent)
{
    TF_DBConfig dialog(values, parent);
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    // The server the dialog tested, which a local installation does not name.
    values.engine = dialog.values().engine;
    values.ServerName = dialog.values().ServerName;
    values.DBUser = dialog.values().DBUser;
    values.DBPassword = dialog.values().DBPassword;
    values.DBName = dialog.values().DBName;
    // A failed write goes unreported: the next start uses the old settings.
    SaveStoredConnection(values);
    return true;
}

} // namespace kelvaro
