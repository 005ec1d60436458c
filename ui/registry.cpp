#include "ui/registry.h"

#include "ui/factory.h"

#include <algorithm>
#include <utility>

namespace ui {

Controls::Controls(Form& form, const ItemLists& lists) {
    installAlertAccessibility();
    byName_.insert(QStringLiteral("FormStart"), &form);
    std::vector<std::pair<int, QWidget*>> tabbed;
    for (const ControlSpec& design : windowContents(lists)) {
        Placement* container = byName_.value(design.container);
        if (!container)
            qFatal("%s stands in %s, which is not made before it", qPrintable(design.name),
                   qPrintable(design.container));
        Placement* made = makeControl(design, container->widget());
        made->setContainer(container);
        if (design.flags & flag::Hidden) made->widget()->hide();
        if (design.tabIndex >= 0 && made->widget()->focusPolicy() != Qt::NoFocus)
            tabbed.emplace_back(design.tabIndex, made->widget());
        byName_.insert(made->widget()->objectName(), made);
    }
    std::sort(tabbed.begin(), tabbed.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabbed.size(); ++i)
        QWidget::setTabOrder(tabbed[i - 1].second, tabbed[i].second);
}

} // namespace ui
