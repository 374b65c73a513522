#include "NavActions.h"

#include "FixedAddresses.h"

#include <array>

NavAction LauncherAction(int button)
{
    switch (button) {
    case 1:
        return {ActionKind::ShowPage, GuidePage};
    case 2:
        return {ActionKind::OpenLink, TextbookThreadUrl};
    case 3:
    case 4:
    case 5:
        return {ActionKind::ShowPage, CoursePage};
    case 6:
        return {ActionKind::OpenLink, ForumBoardUrl};
    case 7:
        return {ActionKind::ShowPage, ContactPage};
    case 8:
        return {ActionKind::OpenLink, ConsultUrl};
    default:
        return {ActionKind::LookupLink, QString()};
    }
}

NavAction LogoAction()
{
    return {ActionKind::OpenLink, HomePageUrl};
}

NavAction ResolveTreeAction(const QString &caption)
{
    const std::array<std::pair<QString, NavAction>, 5> fixed{{
        {QStringLiteral("2016报考指南"), {ActionKind::ShowPage, GuidePage}},
        {QStringLiteral("辅导课程和资料精选"), {ActionKind::ShowPage, CoursePage}},
        {QStringLiteral("在线咨询"), {ActionKind::OpenLink, ConsultUrl}},
        {QStringLiteral("联系我们"), {ActionKind::ShowPage, ContactPage}},
        {QStringLiteral("退出"), {ActionKind::CloseMain, QString()}},
    }};
    for (const auto &[fixedCaption, action] : fixed) {
        if (caption == fixedCaption)
            return action;
    }
    return {ActionKind::LookupLink, caption};
}
