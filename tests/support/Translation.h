#pragma once

#include "platform/Translations.h"

#include <QString>

// A program's translation into one language for the life of a test; English again after it.
class Translation {
  public:
    Translation(const QString& catalog, const QString& language)
        : installed_(InstallTranslations(catalog, language)) {}
    ~Translation() { RemoveTranslations(); }
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    bool installed() const { return installed_; }

  private:
    bool installed_;
};
