#ifndef OPTIONPARAM_H
#define OPTIONPARAM_H

#include <QString>

// The user's options as the program keeps them in options.xml. Field order and types are part
// of the live pane's interface.
struct OptionParam {
    QString language;         // language code as stored ("EN", "CN", "DE", ...)
    QString historyFilesPath; // folder for alarm logs and other history files
    bool allowAlarm = false;
    bool allowAlarmSound = false;
    bool allowLogGeneration = false;
    bool allowMinAlarm = false;
    bool allowMaxAlarm = false;
};

inline bool operator==(const OptionParam& a, const OptionParam& b)
{
    return a.language == b.language && a.historyFilesPath == b.historyFilesPath && a.allowAlarm == b.allowAlarm &&
           a.allowAlarmSound == b.allowAlarmSound && a.allowLogGeneration == b.allowLogGeneration &&
           a.allowMinAlarm == b.allowMinAlarm && a.allowMaxAlarm == b.allowMaxAlarm;
}
inline bool operator!=(const OptionParam& a, const OptionParam& b)
{
    return !(a == b);
}

#endif // OPTIONPARAM_H
