#pragma once

// The calculation library of ZORPI in one header: the connection record with its defaults and
// constants, the allowable pressure and the six calculations, calculate and check, and the
// version. Each header says in one line per function what it reads and writes.

#include "calc/allowable_pressure.h"
#include "calc/calculate.h"
#include "calc/check.h"
#include "calc/form_fit.h"
#include "calc/kegel.h"
#include "calc/klemm.h"
#include "model/connection_record.h"
#include "version.h"
