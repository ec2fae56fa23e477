// The message texts of the billing record dialogs and editors, exactly as the boxes show them.
#pragma once

#include <string>

#include "core/dialog/centred_message.h"

namespace vrk::records::message {

using dialog::centredMessage;

// Entry checks (add and change dialogs, editors).
inline const std::string kClientCodeRule = centredMessage("INVALID CLIENT CODE", "ENTER FROM 1 TO 7 LETTERS AND NUMBERS");
inline const std::string kClientNotPresent = centredMessage("INVALID CLIENT CODE", "NO DATA IS PRESENT FOR THIS CLIENT");
inline const std::string kMatterFrom0 = centredMessage("INVALID MATTER NUMBER", "ENTER A NUMBER FROM 0 TO 99999");
inline const std::string kMatterFrom1 = centredMessage("INVALID MATTER NUMBER", "ENTER A NUMBER FROM 1 TO 99999");
inline const std::string kMatterNotInUse =
    centredMessage("INVALID MATTER NUMBER", "THIS NUMBER IS NOT IN USE FOR THIS CLIENT");
inline const std::string kAttorneyRule = centredMessage("INVALID ATTORNEY INITIALS", "ENTER 1, 2, OR 3 LETTERS");
inline const std::string kAttorneyNotPresent =
    centredMessage("INVALID ATTORNEY INITIALS", "NO DATA IS PRESENT FOR THIS ATTORNEY");
inline const std::string kTime = centredMessage("INVALID TIME ENTRY", "ENTER A NUMBER FROM 0.1 TO 999.9");
inline const std::string kRate = centredMessage("INVALID BILLING RATE", "ENTER A NUMBER FROM 0 TO 99,999.99");
inline const std::string kEditorRate = centredMessage("INVALID BILLING RATE ", "ENTER A NUMBER FROM 0 TO 99,999.99");
inline const std::string kCostCreditAmount =
    centredMessage("INVALID COST/CREDIT AMOUNT", "ENTER A NUMBER FROM $0.01 TO $99,999,999.99");
inline const std::string kCostCreditEntry =
    centredMessage("INVALID COST/CREDIT ENTRY", "ENTER A NUMBER FROM $0.01 TO $99,999,999.99");
inline const std::string kPaymentAmount =
    centredMessage("INVALID PAYMENT AMOUNT", "ENTER A NUMBER FROM $0.01 TO $99,999,999.99");
inline const std::string kPaymentNotSelected = "SELECT A PAYMENT RECORD TO BE CHANGED";
// A client's payments since the last statement must fit its 11-character field.
inline const std::string kPaymentsTotalTooLarge =
    "PAYMENTS SINCE LAST STATEMENT\r\nWOULD EXCEED $99,999,999.99";
// Save in an editor (or a change dialog) with no record shown.
inline const std::string kRecordNotDisplayed = "A RECORD MUST BE DISPLAYED\r\n BEFORE IT CAN BE CHANGED";

// Save or Delete when the record shown has since been changed or deleted (by another program).
inline const std::string kRecordGone =
    centredMessage("THIS RECORD HAS BEEN CHANGED OR DELETED", "SINCE IT WAS DISPLAYED");

// Display in the delete dialogs: mixed case.
inline const std::string kDeleteClientCodeRule =
    centredMessage("Invalid Client Code", "Enter From 1 To 7 Letters And Numbers");
inline const std::string kDeleteMatterRule = centredMessage("Invalid Matter Number", "Enter A Number From 1 To 99999");

}  // namespace vrk::records::message
