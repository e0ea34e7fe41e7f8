# Points inside the controls of the main window's client area, from the window's form.
twenty_range_x=83;   twenty_range_y=76     # 单选框5 "20以内的计算题" in 分组框1
hundred_range_x=249; hundred_range_y=75    # 单选框6 "100以内的计算题" in 分组框1
divide_x=164;        divide_y=36           # 单选框4 "÷"
single_row_x=248;    single_row_y=14       # 按钮1 "单算出题"
batch_rows_x=476;    batch_rows_y=14       # 按钮3 "批量单算出题"
mixed_x=475;         mixed_y=74            # 按钮5 "随机混合出题"
count_x=361;         count_y=28            # 编辑框2, the count field
output_box_x=290;    output_box_y=300      # 编辑框1, the output box
