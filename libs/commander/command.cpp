#include "command.h"

Command::Command(const QByteArray& content, bool flag, int param, const QVariant& tag)
    : content(content), flag(flag), param(param), tag(tag), marked(false)
{
}
