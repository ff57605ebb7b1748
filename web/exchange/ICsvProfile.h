#pragma once

#include "web/exchange/ExportCsvSettings.h"
#include "web/exchange/ImportCsvSettings.h"

// The CSV dialogs' choices kept from run to run. The application keeps them in its profile;
// tests use an in-memory fake.
class ICsvProfile
{
  public:
    virtual ~ICsvProfile() = default;

    // Each record as a whole; Save is false when a value could not be written.
    virtual bool LoadImportCsvSettings(ImportCsvSettings& settings) const = 0;
    virtual bool SaveImportCsvSettings(const ImportCsvSettings& settings) = 0;
    virtual bool LoadExportCsvSettings(ExportCsvSettings& settings) const = 0;
    virtual bool SaveExportCsvSettings(const ExportCsvSettings& settings) = 0;
};
