#pragma once

#include <QProxyStyle>

#include <memory>

// The application's style, except that tree branches are drawn as dotted lines between the nodes
// with plus and minus boxes, so the account tree shows how its nodes hang together.
class TreeBranchStyle : public QProxyStyle {
    Q_OBJECT
public:
    TreeBranchStyle();
    ~TreeBranchStyle() override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget = nullptr) const override;

private:
    std::unique_ptr<QStyle> m_lines;
};
