#pragma once

#include "web/exchange/ICsvProfile.h"

// The CSV dialogs' settings in memory, as the dialogs left them.
class FakeCsvProfile : public ICsvProfile
{
  public:
    bool LoadImportCsvSettings(ImportCsvSettings& settings) const override
    {
        settings = importSettings;
        return true;
    }
    bool SaveImportCsvSettings(const ImportCsvSettings& settings) override
    {
        importSettings = settings;
        ++saves;
        return true;
    }
    bool LoadExportCsvSettings(ExportCsvSettings& settings) const override
    {
        settings = exportSettings;
        return true;
    }
    bool SaveExportCsvSettings(const ExportCsvSettings& settings) override
    {
        exportSettings = settings;
        ++saves;
        return true;
    }

    ImportCsvSettings importSettings;
    ExportCsvSettings exportSettings;
    int saves = 0;
};
