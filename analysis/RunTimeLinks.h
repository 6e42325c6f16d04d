#pragma once
// The links from input rows into the analysis model: the node entry of each
// node row, the first element of each beam row, the two node entries of each
// hinge row and the node entry of each point-load row.  They are valid only
// for the model that wrote them.

// Sets every link of every row (in use or not) to -1.
void ClearRunTimeLinks();
