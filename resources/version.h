/* The program's version, in the one place it is kept: the VERSIONINFO resource is built from these numbers and texts,
   and the About window reads that resource back. Keep the texts in step with the numbers. */
#ifndef QM_VERSION_H
#define QM_VERSION_H

#define QM_VERSION_MAJOR 1
#define QM_VERSION_MINOR 0
#define QM_VERSION_RELEASE 0
#define QM_VERSION_BUILD 0

/* The four numbers as the resource script wants them, and as text. */
#define QM_VERSION_NUMBERS 1, 0, 0, 0
#define QM_FILE_VERSION_TEXT "1.0.0.0"
#define QM_PRODUCT_VERSION_TEXT "1.0"

#define QM_PRODUCT_NAME "Quillmark for Delphi"
#define QM_COMPANY_NAME "Orvenna"
#define QM_COPYRIGHT "Copyright \251 Orvenna"

#endif
