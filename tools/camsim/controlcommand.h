#ifndef CAMSIM_CONTROLCOMMAND_H
#define CAMSIM_CONTROLCOMMAND_H

#include <camsim/camsim_export.h>

#include <QString>

class CameraSimulator;

// The one-line commands km420-sim takes on its control input:
//   palette N | fault PLAN | fault none | fps N | garbage N | hangup | restart | flush | stats | help
class CAMSIM_EXPORT ControlCommand {
public:
    // Applies `line` to `simulator`. `reply` gets what to print; false for an unknown or malformed line.
    static bool apply(CameraSimulator& simulator, const QString& line, QString* reply);
    static QString help();
};

#endif // CAMSIM_CONTROLCOMMAND_H
