#include "shell/SqlText.h"

#include "odbc/THstmt.h"

void SetSQLText(THstmt& Stmt, const QString& Text)
{
    Stmt.SetSQL(Text.toStdString());
}

void AppendSQLText(THstmt& Stmt, const QString& Text)
{
    Stmt.SetSQL(Stmt.SQL() + ' ' + Text.toStdString());
}
