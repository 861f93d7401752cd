#pragma once
#include "db/CModule.h"
#include "db/CRADIO.h"

#include <cstdint>

// The lists the module dialogs show: the modules of the last rack scan, the modules stored in
// the database and the module models of the catalogue. One instance for the whole program.
class CBROWSER {
public:
    static CBROWSER& instance();

    CRADIOCollection radioRack;     // the last rack scan, in the order of the POLL reply
    CRADIOCollection radioDB;       // the stored modules, in the database's order
    CModuleCollection moduleDB;     // the catalogue's models, in the database's order
    CRADIOCollection flexNetworkDB; // kept for the dialogs that list it; nothing fills it

    // Refills radioDB from the database; the database's status.
    int16_t intUpdateCollectRadioDB();
    // Refills moduleDB from the catalogue; the database's status.
    int16_t intUpdateCollectModuleDB();
    // The rack scan (RackScan.h): refills radioRack. 0, or -1 when the rack did not answer.
    int16_t intUpdateCollectRack();
};
