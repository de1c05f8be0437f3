#include "m_sql.h"
