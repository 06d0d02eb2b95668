1 } + 2
// error: 101 Error in remark
// position: 2
