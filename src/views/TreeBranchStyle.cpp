#include "views/TreeBranchStyle.h"

#include <QStyleFactory>

TreeBranchStyle::TreeBranchStyle()
    : m_lines(QStyleFactory::create(QStringLiteral("Windows")))
{
}

TreeBranchStyle::~TreeBranchStyle() = default;

void TreeBranchStyle::drawPrimitive(
    PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    if (element == PE_IndicatorBranch && m_lines)
        m_lines->drawPrimitive(element, option, painter, widget);
    else
        QProxyStyle::drawPrimitive(element, option, painter, widget);
}
