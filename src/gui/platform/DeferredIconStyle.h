#pragma once

#include <QProxyStyle>

// The application's style with the icons of the menu bar's and tool bars'
// overflow buttons made when they are first drawn. Qt's menu bar asks for
// its overflow icon as soon as it is made, and reading that picture by its
// file name loads every image-format plugin to find the one for PNG, for a
// button that shows only when the menus do not fit.
class DeferredIconStyle : public QProxyStyle
{
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
