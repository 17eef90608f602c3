#include "common/views/embedded_object.h"

#include "common/forms/form.h"
#include "common/forms/message_box.h"

#include <QPushButton>

namespace corvalen {

const EmbeddedObjectTexts &sheetObjectTexts()
{
    static const EmbeddedObjectTexts texts{QStringLiteral("激活（复原）表格"), QStringLiteral("关闭表格"),
                                           QStringLiteral("表格无法打开，请检查程序的安装！")};
    return texts;
}

const EmbeddedObjectTexts &documentObjectTexts()
{
    static const EmbeddedObjectTexts texts{QStringLiteral("激活（复原）文档"), QStringLiteral("关闭文档"),
                                           QStringLiteral("文档无法打开，请检查程序的安装！")};
    return texts;
}

void addEmbeddedObjectButtons(Panel &panel, const EmbeddedObjectTexts &texts,
                              std::function<bool()> activate, std::function<void()> close)
{
    Panel row = panel.line();
    QPushButton *open = row.button(QStringLiteral("Command5"), texts.activate);
    QPushButton *shut = row.button(QStringLiteral("CommandClose"), texts.close);
    QObject::connect(open, &QPushButton::clicked, open, [activate = std::move(activate), message = texts.missing] {
        if (!activate())
            showMessage(message);
    });
    QObject::connect(shut, &QPushButton::clicked, shut, std::move(close));
}

} // namespace corvalen
