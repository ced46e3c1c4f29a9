#include "examsim/bank/bankports.h"

BankPorts& bankPorts() {
    static BankPorts ports;
    return ports;
}
