1 + { unterminated
// error: 101 Error in remark
// position: 4
