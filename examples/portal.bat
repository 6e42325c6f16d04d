HIDE
OPENSYSTEM = examples/portal.ssy
OPENLOAD = examples/portal.sla
SOLVEI
SAVERESULT = out/portal-theorie-1.txt
SETGRAPHTAB = 4
SAVEGRAPHFILE = out/portal-biegemoment.svg
SOLVEII
SAVERESULT = out/portal-theorie-2.txt
SOLVEK
SAVERESULT = out/portal-knicken.txt
CLOSE
