#pragma once

#include <QString>

// Addresses the program knows by heart. Their hosts are deployment values,
// set when the program is built.
extern const QString HomePageUrl;
extern const QString TextbookThreadUrl;
extern const QString ForumBoardUrl;
extern const QString ConsultUrl;
extern const QString CounterUrl;

// Local pages, relative to the program directory.
extern const QString GuidePage;
extern const QString CoursePage;
extern const QString ContactPage;
