#include "fetch/ListSources.h"

#include "common/SettingsStore.h"

QString ListSources::DefaultUrl()
{
    return QStringLiteral("https://raw.githubusercontent.com/oe-alliance/oe-alliance-tuxbox-common/master/src/satellites.xml");
}

QString ListSources::Url()
{
    return SettingsStore::ReadText(QStringLiteral("Lists/Url"), DefaultUrl());
}

QStringList ListSources::Offered()
{
    return SettingsStore::ReadTexts(QStringLiteral("Lists/Offered"), {Url()});
}
