#include "bankports.h"

BankPorts& bankPorts() {
    static BankPorts ports;
    return ports;
}
