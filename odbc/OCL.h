#pragma once

// Unit OCL: the ODBC object layer.
//
//   THenv       the ODBC environment; owns the error object
//   THdbc       one connection
//   THstmt      one statement with its result set
//   TChildren   the handle dependencies of an environment or a connection
//   TODBCError  reads the driver's diagnostic and raises EODBC
//   EODBC       exception of every failed ODBC call
//   Exception   the program's general exception class
//
// Ownership and lifetime: see THbase.h. Reading values: see THstmt.h.

#include "odbc/EODBC.h"
#include "odbc/Exception.h"
#include "odbc/TChildren.h"
#include "odbc/THbase.h"
#include "odbc/THdbc.h"
#include "odbc/THenv.h"
#include "odbc/THstmt.h"
#include "odbc/TODBCError.h"
