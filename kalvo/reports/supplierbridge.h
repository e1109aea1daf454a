#pragma once
// The one place where the supplier's data of the windows (DataOwner, read
// from the preferences file) becomes the plain record the report filling
// prints.

#include "kalvo/reports/fill/reportinput.h"

class DataOwner;

// All nine fields; an empty record for no supplier.
SupplierRecord supplierRecord(const DataOwner *owner);
