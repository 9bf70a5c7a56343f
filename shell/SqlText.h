#pragma once

#include <QString>

class THstmt;

// Statements are assembled as SQL text from fixed pieces; every piece after
// the first is joined with one blank.
void SetSQLText(THstmt& Stmt, const QString& Text);
void AppendSQLText(THstmt& Stmt, const QString& Text);
