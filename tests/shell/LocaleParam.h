#pragma once
#include <QLocale>
#include <gtest/gtest.h>

// Runs a codec suite under a locale whose decimal separator is "." and under one whose separator
// is ",": what the codecs write into pages and SQL text must not depend on it.
class UnderLocale : public ::testing::TestWithParam<QLocale::Language> {
protected:
    void SetUp() override
    {
        saved_ = QLocale();
        QLocale::setDefault(QLocale(GetParam()));
    }
    void TearDown() override { QLocale::setDefault(saved_); }

private:
    QLocale saved_;
};

inline std::string localeName(const ::testing::TestParamInfo<QLocale::Language>& info)
{
    return QLocale::languageToCode(info.param).toStdString();
}

#define VELMAR_UNDER_BOTH_LOCALES(suite)                                                                         \
    INSTANTIATE_TEST_SUITE_P(Locales, suite, ::testing::Values(QLocale::English, QLocale::German), localeName)
