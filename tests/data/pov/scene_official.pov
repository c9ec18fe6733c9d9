#version 3.7;

background{ rgb <150/255,150/255,150/255> }

#include "colors.inc"
#include concat("a",chr(34),"b",chr(92),"c",chr(10),"d.inc")

global_settings{
	adc_bailout 0.0039
	ambient_light rgb <255/255,255/255,255/255>
	assumed_gamma 2.200
	hf_gray_16 0
	irid_wavelength rgb <68/255,46/255,36/255>
	max_intersections 64
	max_trace_level 10
	number_of_waves 10
	radiosity{
		brightness 3.300
		count 100
		error_bound 0.400
		gray_threshold 0.500
		low_error_factor 0.800
		minimum_reuse 0.0150
		nearest_count 6
		recursion_limit 1
	}
}

//camera [A]
#declare camera_a=camera{
	orthographic
	location < 0.000, 10.000, 0.000 >
	angle 40.000
	look_at < 0.000, 0.000, 0.000 >
}

//camera [B]
#declare camera_b=camera{
	location < 0.000, 5.000, -20.000 >
	angle 40.000
	look_at < 0.000, 0.000, 0.000 >
}

//camera [C]
#declare camera_c=camera{
	orthographic
	location < 0.000, 0.000, -10.000 >
	angle 40.000
	look_at < 0.000, 0.000, 0.000 >
}

//camera [D]
#declare camera_d=camera{
	orthographic
	location < 10.000, 0.000, 0.000 >
	angle 40.000
	look_at < 0.000, 0.000, 0.000 >
}

//LIGHT
light_source{<5.000,5.000,5.000> rgb 1}
light_source{<5.000,5.000,5.000> rgb 1}
light_source{<5.000,5.000,5.000> rgb 1}

