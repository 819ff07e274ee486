/* Texts of the About window's string table (numbers 65296 to 65302), shared by the resource script and the tests. */
#ifndef QM_ABOUT_TEXTS_H
#define QM_ABOUT_TEXTS_H

#define QM_TEXT_OSFORMAT "%s (Build %s)"
#define QM_TEXT_MEMORYFORMAT "Total: %d KBytes;   Available: %d KBytes"
#define QM_TEXT_GENERALINFO "General Information"
#define QM_TEXT_UPDATE "Update"
#define QM_TEXT_SYSTEMINFO "System Information"
#define QM_TEXT_ACKNOWLEDGEMENTS "Acknowledgements"

#endif
