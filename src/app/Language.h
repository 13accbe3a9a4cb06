#pragma once

// Every text of the program is Brazilian Portuguese, Qt's own buttons and dialogs included; dates follow
// the user's locale unless the system names none. Call once the application object exists.
void UsePortugueseTexts();
