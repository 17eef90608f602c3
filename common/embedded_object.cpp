#include "common/embedded_object.h"

#include "common/message_box.h"

#include <QBoxLayout>
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

void addEmbeddedObjectButtons(QWidget *window, QBoxLayout *layout, const EmbeddedObjectTexts &texts,
                              std::function<bool()> activate, std::function<void()> close)
{
    auto *row = new QHBoxLayout;
    auto *open = new QPushButton(texts.activate, window);
    open->setObjectName(QStringLiteral("Command5"));
    auto *shut = new QPushButton(texts.close, window);
    shut->setObjectName(QStringLiteral("CommandClose"));
    QObject::connect(open, &QPushButton::clicked, window, [activate = std::move(activate), message = texts.missing] {
        if (!activate())
            showMessage(message);
    });
    QObject::connect(shut, &QPushButton::clicked, window, std::move(close));
    row->addWidget(open);
    row->addWidget(shut);
    layout->addLayout(row);
}

} // namespace corvalen
