#include "app/ConfigDoc.h"

IMPLEMENT_DYNCREATE(CConfigDoc, CDocument)
